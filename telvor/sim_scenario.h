/*
 * sim_scenario.h -- scenario files (INI) for the simulated instrument
 * (portable, own parser). Sections, applied line by line in file order:
 *
 *   [instrument]  state, latency_ms, turbos
 *   [values]      model values: stored parameters, switches, set points, input levels
 *   [replies]     fixed replies: query = reply|reply|...
 *   [sequences]   phase timings: plasma_purge_polls, lens_calibration_ms, plasma_fails, ...
 *   [faults]      label = KIND PATTERN [trigger] [options]
 *   [memory]      image, load, save (binary images, relative to the scenario file)
 *   [host]        for the host program; the simulator skips it
 */
#ifndef TORVEX_SIM_SCENARIO_H
#define TORVEX_SIM_SCENARIO_H

#include <string>

namespace tvsim {

class Engine;

enum { ScenarioOk = 0, ScenarioUnreadable = 1, ScenarioInvalid = 2 };

/* Applies the file on top of the engine's present model. On an error the
   lines before it stay applied; `error` names the file and line. */
int LoadScenario(Engine &engine, const std::string &path, std::string *error);

/* Same, from text; `directory` anchors relative file names. */
int ApplyScenarioText(Engine &engine, const std::string &text, const std::string &name, const std::string &directory,
                      std::string *error);

}  // namespace tvsim

#endif
