// The search popup of the line page, shown over the root screen when the line
// page posts "showBusLine".
#pragma once

#include "Classes/ViewController.h"

class ShowBusLines : public ViewController {
protected:
    std::shared_ptr<platform::ui::View> loadView() override;
};
