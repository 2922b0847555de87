#include "app/Application.h"
#include "app/EntryPoint.h"
#include "app/FleebaApp.h"
#include "res/version.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tamba::util::Logger logger(true);
    // First of all, which program and version wrote the lines that follow.
    logger.log("Fleeba %s\n", FLEEBA_VERSION);
    return tamba::app::EntryPoint::run(logger, [&] {
        tamba::app::Application application(instance, logger);
        tamba::app::FleebaApp controller;
        application.run();
    });
}
