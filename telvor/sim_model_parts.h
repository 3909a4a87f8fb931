/*
 * sim_model_parts.h -- helpers shared by the model's hardware modules
 * (sim_vacuum.cpp, sim_plasma.cpp, ...): relaxation toward a target, and the
 * argument readers of switch and indexed commands. Internal to the model.
 */
#ifndef TORVEX_SIM_MODEL_PARTS_H
#define TORVEX_SIM_MODEL_PARTS_H

#include <string>

#include "sim_model.h"
#include "sim_text.h"

namespace tvsim {

const double kVented = 2000.0;  // Pa: what a gauge reads on a line without its pump

/* Moves `value` a share `rate` of the way to `target`, landing on it when close. */
void RelaxLinear(double &value, double target, double rate);
/* The same on a logarithmic scale (pressures). */
void RelaxLog(double &value, double target, double rate);
/* "ON"/"1" or "OFF"/"0", any case. */
bool ParseSwitch(const std::string &args, bool *on);
/* An integer index inside [low, high]. */
bool ParseIndex(const std::string &text, int low, int high, int *index);

}  // namespace tvsim

#endif
