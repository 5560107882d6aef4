// The vehicle-position page of the Inquire tab: a line field, a station field
// and the query button, which open the position screen, the station picker or
// the line choice for a station code.
#pragma once

#include "Classes/ViewController.h"

class SubInquireLocation : public ViewController {
public:
    // Closes the open position screen and result list (other screens call it before switching tabs).
    void closeView() {}
    // A child screen closed: the input widgets show again.
    void doWithReturn() {}
};
