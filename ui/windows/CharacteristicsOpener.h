#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

// What the bench is set to at a moment: the defaults of «Характеристики».
struct BenchChoice {
    int32_t Signal1 = 1;
    int32_t Signal2 = 2;
    double Gain = 1.0;
};
using BenchChoiceSource = std::function<BenchChoice()>;

// Makes the window «Характеристики», owned by `owner`.
using CharacteristicsFactory = QWidget* (*)(const BenchChoiceSource& bench, QWidget* owner);

// The window and the chart libraries it draws with live in a module of their
// own, loaded the first time the window is asked for, so that the program
// does not load them before its first paint. Returns nullptr, after a
// message, when the module cannot be loaded.
QWidget* NewCharacteristicsWindow(const BenchChoiceSource& bench, QWidget* owner);

// Tests and probes, which link the window itself, make it without the
// module; nullptr goes back to loading it. Returns the factory replaced.
CharacteristicsFactory SetCharacteristicsFactory(CharacteristicsFactory factory);

// The name the module exports its factory under.
inline constexpr char CharacteristicsFactoryName[] = "dl_new_characteristics_window";
