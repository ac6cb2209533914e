// The one symbol of the module: the program resolves it by name
// (CharacteristicsFactoryName) when «Характеристики» is first opened.
#include "CharacteristicsUnit.h"

extern "C" __attribute__((visibility("default"))) QWidget* dl_new_characteristics_window(const BenchChoiceSource& bench,
                                                                                         QWidget* owner)
{
    return NewCharacteristicsForm(bench, owner);
}
