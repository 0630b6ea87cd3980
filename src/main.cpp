// Drovanta: start-up only. Builds the real services, runs the program, and on leaving a race
// starts the program again as a new process.
#include <cstdio>
#include <exception>
#include <string>

#include "program/program.h"
#include "services/errors.h"
#include "services/process.h"
#include "services/sdl_audio.h"
#include "services/sdl_clock.h"
#include "services/sdl_effects.h"
#include "services/sdl_error_box.h"
#include "services/sdl_executable_folder.h"
#include "services/sdl_input.h"
#include "services/sdl_pictures.h"
#include "services/sdl_presenter.h"
#include "services/sdl_system.h"
#include "services/sdl_text.h"

int main() {
  std::string folder;
  bool relaunch = false;
  try {
    svc::SdlSystem sdl(false);
    folder = svc::executableFolder();
    svc::SdlClock clock;
    svc::SdlPresenter presenter;
    svc::SdlInput input(presenter);
    svc::SdlAudio audio(sdl.audioAvailable());
    svc::SdlSoundEffects effects(audio.mixer);
    svc::SdlPictureLoader pictures;
    svc::SdlTextRenderer text(folder + "/fonts");
    svc::Services services{folder, &clock, &input, &presenter, &audio, &pictures, &text};
    services.dataFolder = svc::playerDataFolder(folder);
    services.effects = &effects;
    try {
      game::Program program(services);
      program.start();
      program.run();
    } catch (const svc::ProgramEnd& end) {
      relaunch = end.relaunch;
    } catch (const svc::DataFileError& e) {
      std::fprintf(stderr, "Drovanta: %s\n", e.what());
      svc::showErrorBox("Drovanta", e.what());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Drovanta: %s\n", e.what());
    return 1;
  }
  // Everything of this instance is closed; the settings were saved before.
  if (relaunch && !svc::spawnProgram(folder + "/Drovanta")) {
    std::fprintf(stderr, "Drovanta: cannot start %s/Drovanta again\n", folder.c_str());
    return 1;
  }
  return 0;
}
