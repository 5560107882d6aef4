// Pages of the app are the toolkit's pages: a view made on first use by
// loadView() and set up by viewDidLoad(), kept for the rest of the run.
#pragma once

#include "platform/ui/ViewController.h"

using ViewController = platform::ui::ViewController;
