#include "Helper/User/UserManager.h"

UserManager& UserManager::getInstance() {
    static UserManager* instance = new UserManager(); // lives for the run
    return *instance;
}
