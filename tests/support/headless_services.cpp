#include "support/headless_services.h"

namespace sorvane::headless {

HeadlessServices::HeadlessServices()
    : services{window,
               screen,
               clock,
               text,
               dialogs,
               shell,
               errors,
               menu,
               files,
               UsEnglishLocale(),
               ports::Folders::AllIn(ProgramFolder()),
               nullptr,
               &window} {}

}  // namespace sorvane::headless
