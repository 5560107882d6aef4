// The More tab page.
#pragma once

#include "Classes/ViewController.h"

class TabMoreViewController : public ViewController {};
