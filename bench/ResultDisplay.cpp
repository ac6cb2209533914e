#include "Measurement.h"

ResultDisplay::~ResultDisplay() = default;
