// The whole phone toolkit in one include, for screens.
//
//   #include "platform/ui/UI.h"
//   namespace ui = platform::ui;
#pragma once

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/CDRefreshView.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/HtmlView.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/MapView.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/ProgressOverlay.h"
#include "platform/ui/ScannerView.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
