// The profiles file: read at start-up, written whole after every change.
#include "app/program/program.h"

namespace sorvane {

// Whether vl.prf exists goes to `first_start`. One that exists but cannot be read throws;
// it is kept aside before a save replaces it.
Profiles Program::LoadProfilesOrDefault(bool& first_start) {
  const std::filesystem::path file = services_.folders.settings / kProfilesFileName;
  const bool exists = services_.files.Exists(file);
  first_start = !exists;
  Profiles profiles;
  try {
    profiles = LoadProfiles(services_.folders.settings, state_.default_profile, services_.files);
  } catch (...) {
    profiles_unread_ = true;
    throw;
  }
  if (exists) saved_profiles_ = profiles;
  return profiles;
}

void Program::SaveAll() {
  if (profiles_unread_) KeepUnreadProfiles();
  const Profiles profiles = CurrentProfiles();
  SaveProfiles(services_.folders.settings, profiles, services_.files);
  saved_profiles_ = profiles;
}

void Program::SaveIfChanged() {
  if (CurrentProfiles() != saved_profiles_) SaveAll();
}

// Settings that could not be read at start-up are still the user's: no save replaces them
// before they are safe in vl.prf.bak. Until then every save is refused and tries again.
void Program::KeepUnreadProfiles() {
  try {
    BackUpProfiles(services_.folders.settings, services_.files);
  } catch (const FileError& error) {
    throw FileError(std::string(error.what()) + " The settings were not saved, so that " +
                    kProfilesFileName + " is not lost.");
  }
  profiles_unread_ = false;
}

}  // namespace sorvane
