// The Home tab page.
#pragma once

#include "Classes/ViewController.h"

class TabHomeViewController : public ViewController {};
