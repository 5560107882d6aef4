// The Inquire tab page.
#pragma once

#include "Classes/ViewController.h"

class TabInquireViewController : public ViewController {};
