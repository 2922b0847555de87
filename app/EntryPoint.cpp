#include "app/EntryPoint.h"

#include "tamba_util/Exception.h"

namespace tamba::app {

int EntryPoint::run(util::Logger& logger, const std::function<void()>& body) {
    try {
        body();
    } catch (const util::Exception& e) {
        logger.log("%s", e.message().c_str());
        return 1;
    }
    return 0;
}

} // namespace tamba::app
