#include "support/headless_services.h"

namespace sorvane::headless {

HeadlessServices::HeadlessServices()
    : services{host,
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
               nullptr} {}

}  // namespace sorvane::headless
