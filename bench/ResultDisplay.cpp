// SPDX-License-Identifier: GPL-3.0-or-later
#include "Measurement.h"

ResultDisplay::~ResultDisplay() = default;
