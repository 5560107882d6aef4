// The Favorite tab page.
#pragma once

#include "Classes/ViewController.h"

class TabFavoriteViewController : public ViewController {};
