#include "app/Application.h"
#include "app/EntryPoint.h"
#include "app/FleebaApp.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tamba::util::Logger logger(true);
    return tamba::app::EntryPoint::run(logger, [&] {
        tamba::app::Application application(instance, logger);
        tamba::app::FleebaApp controller;
        application.run();
    });
}
