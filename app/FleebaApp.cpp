#include "app/FleebaApp.h"

namespace tamba::app {

FleebaApp::FleebaApp() : MainWindow("Fleeba"), timer_(tickMs, true) {}

} // namespace tamba::app
