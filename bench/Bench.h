// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The simulation core: everything the program and its tests use of the bench.
#include "Accumulator.h"
#include "ComputePath.h"
#include "DetectorBench.h"
#include "Exercises.h"
#include "MatchedFilter.h"
#include "Measurement.h"
#include "NoiseSource.h"
#include "RandomSource.h"
#include "SignalGenerator.h"
#include "SignalShape.h"

// The program's one bench, built before main with a clock seed.
extern DetectorBench Bench;

// Runs one measurement on the program's bench.
bool RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display);
