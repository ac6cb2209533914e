// SPDX-License-Identifier: GPL-3.0-or-later
#include "editfloat/EditFloatModel.h"
#include "tools/testsupport/RecordingHost.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

const std::string kMsg1 = "TEditInt: Максимальное значение должно быть больше минимального.";
const std::string kMsg2 = "TEditInt: Минимальное значение должно быть меньше максимального.";
const std::string kMsg3 = "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.";
const std::string kMsg4 =
    "Введённое значение параметра меньше минимально-допустимого.\n Прежнее значение параметра восстановлено.";
const std::string kMsg5 = "Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.";
const std::string kMsg6 =
    "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.";
const std::string kMsg7 = "Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.";
const std::string kMsg8 = "Строка ввода имеет некорректный формат или пуста. \n Значение параметра восстановлено.";

using Messages = std::vector<std::string>;

class EditFloatModelTest : public ::testing::Test {
protected:
    RecordingHost host;
    EditFloatModel model{host};

    // Limits Min..Max, Val 1, as the main window's fields are set up for K.
    void Field(double min, double max, bool corrType, bool corrMsg, double val = 1)
    {
        model.SetCorrType(corrType);
        model.SetCorrMsg(corrMsg);
        model.SetMax(max);
        model.SetMin(min);
        model.SetVal(val);
        host.messages.clear();
    }
};

TEST_F(EditFloatModelTest, NewFieldShowsZeroAndCommitsNothing)
{
    EXPECT_EQ(host.text, "0");
    EXPECT_EQ(model.Val(), 0.0);
    EXPECT_EQ(model.Min(), 0.0);
    EXPECT_EQ(model.Max(), 1.0);
    EXPECT_TRUE(model.CorrType());
    EXPECT_FALSE(model.CorrMsg());
    EXPECT_FALSE(model.ExpInp());
    EXPECT_TRUE(model.GFormat());
    EXPECT_FALSE(model.Modified());
    EXPECT_FALSE(model.GetModify());
    EXPECT_TRUE(host.messages.empty());
}

struct Commit {
    const char* name;
    char separator;
    bool corrType;
    bool corrMsg;
    const char* typed;
    double val;
    const char* shown;
    bool result;
    Messages messages;
};

// Field with limits 0..1000 and Val 1 before each commit.
const Commit kCommits[] = {
    {"empty, corrected", '.', true, true, "", 500, "500", true, {kMsg7}},
    {"empty, restored", '.', false, true, "", 1, "1", false, {kMsg8}},
    {"empty, silent correction", '.', true, false, "", 500, "500", true, {}},
    {"blank", '.', true, true, "   ", 500, "500", true, {kMsg7}},
    {"sign alone", '.', true, true, "-", 500, "500", true, {kMsg7}},
    {"letters", '.', false, true, "abc", 1, "1", false, {kMsg8}},
    {"above max, corrected", '.', true, true, "5000", 1000, "1000", true, {kMsg5}},
    {"above max, restored", '.', false, true, "5000", 1, "1", false, {kMsg6}},
    {"above max, silent", '.', false, false, "5000", 1, "1", false, {}},
    {"below min, corrected", '.', true, true, "-3", 0, "0", true, {kMsg3}},
    {"below min, restored", '.', false, true, "-3", 1, "1", false, {kMsg4}},
    {"same value", '.', true, true, "1", 1, "1", false, {}},
    {"same value written longer", '.', true, true, " 1.000e0 ", 1, "1", false, {}},
    {"new value", '.', true, true, "250", 250, "250", true, {}},
    {"limit itself", '.', true, true, "1000", 1000, "1000", true, {}},
    {"point in a point locale", '.', true, true, "1.5", 1.5, "1.5", true, {}},
    {"comma in a point locale", '.', true, true, "1,5", 1.5, "1.5", true, {}},
    {"point in a comma locale", ',', true, true, "1.5", 1.5, "1,5", true, {}},
    {"comma in a comma locale", ',', true, true, "1,5", 1.5, "1,5", true, {}},
    {"two separators in a comma locale", ',', true, true, "1.2.5", 500, "500", true, {kMsg7}},
    {"two separators in a point locale", '.', true, true, "1,2,5", 500, "500", true, {kMsg7}},
    {"point then comma in a point locale", '.', true, true, "1.2,5", 500, "500", true, {kMsg7}},
    {"lone separator", '.', true, true, ".", 0, "0", true, {}},
    {"lone comma in a comma locale", ',', true, true, ",", 0, "0", true, {}},
    {"partial exponent", '.', true, true, "2e", 2, "2", true, {}},
    {"exponent", '.', true, true, "2.5e2", 250, "250", true, {}},
    {"beyond a double", '.', true, true, "1e999", 500, "500", true, {kMsg7}},
    {"beyond a double, restored", '.', false, true, "1e999", 1, "1", false, {kMsg8}},
    {"below a double", '.', true, true, "1e-999", 0, "0", true, {}},
    {"six digits shown", '.', true, true, "1.234567", 1.234567, "1.23457", true, {}},
    {"small number shown whole", '.', true, true, "0.0001234", 0.0001234, "0.0001234", true, {}},
    {"exponent form shown", '.', true, true, "0.00001234", 0.00001234, "1.234e-05", true, {}},
    {"inf", '.', true, true, "inf", 500, "500", true, {kMsg7}},
    {"grouping", ',', true, true, "1 000", 500, "500", true, {kMsg7}},
};

TEST_F(EditFloatModelTest, CommitsOfTypedTexts)
{
    for (const Commit& c : kCommits) {
        SCOPED_TRACE(c.name);
        RecordingHost fieldHost;
        fieldHost.separator = c.separator;
        EditFloatModel field(fieldHost);
        field.SetCorrType(c.corrType);
        field.SetCorrMsg(c.corrMsg);
        field.SetMax(1000);
        field.SetVal(1);
        fieldHost.text = c.typed;
        EXPECT_EQ(field.GetModify(), c.result);
        EXPECT_EQ(field.Val(), c.val);
        EXPECT_EQ(fieldHost.text, c.shown);
        EXPECT_EQ(fieldHost.messages, c.messages);
        EXPECT_EQ(field.Modified(), c.result);
    }
}

TEST_F(EditFloatModelTest, ShownSixDigitsCommitOnTheNextCommit)
{
    Field(0, 1000, true, true);
    host.text = "1.234567";
    EXPECT_TRUE(model.GetModify());
    EXPECT_EQ(model.Val(), 1.234567);
    EXPECT_EQ(host.text, "1.23457");
    EXPECT_TRUE(model.GetModify());
    EXPECT_EQ(model.Val(), 1.23457);
    EXPECT_FALSE(model.GetModify());
    EXPECT_TRUE(host.messages.empty());
}

struct LimitChange {
    const char* name;
    bool setMax;  // else SetMin
    double limit;
    bool corrMsg;
    double min, max, val;
    const char* shown;
    bool modified;
    Messages messages;
};

// Each starts from limits 0..1000 with Val 700.
const LimitChange kLimitChanges[] = {
    {"max below val", true, 500, true, 0, 500, 500, "500", true, {}},
    {"max above val", true, 900, true, 0, 900, 700, "700", false, {}},
    {"max below min", true, -1, false, 0, 1000, 700, "700", false, {kMsg1}},
    {"max equal to min", true, 0, true, 0, 0, 0, "0", true, {}},
    {"max NaN", true, std::nan(""), false, 0, 1000, 700, "700", false, {kMsg1}},
    {"min above val", false, 800, true, 800, 1000, 800, "800", true, {}},
    {"min below val", false, -50, true, -50, 1000, 700, "700", false, {}},
    {"min above max", false, 1001, false, 0, 1000, 700, "700", false, {kMsg2}},
    {"min equal to max", false, 1000, true, 1000, 1000, 1000, "1000", true, {}},
    {"min NaN", false, std::nan(""), false, 0, 1000, 700, "700", false, {kMsg2}},
};

TEST_F(EditFloatModelTest, LimitWriters)
{
    for (const LimitChange& c : kLimitChanges) {
        SCOPED_TRACE(c.name);
        RecordingHost fieldHost;
        EditFloatModel field(fieldHost);
        field.SetMax(1000);
        field.SetVal(700);
        field.SetCorrMsg(c.corrMsg);
        const bool modifiedBefore = field.Modified();
        if (c.setMax)
            field.SetMax(c.limit);
        else
            field.SetMin(c.limit);
        EXPECT_EQ(field.Min(), c.min);
        EXPECT_EQ(field.Max(), c.max);
        EXPECT_EQ(field.Val(), c.val);
        EXPECT_EQ(fieldHost.text, c.shown);
        EXPECT_EQ(fieldHost.messages, c.messages);
        if (c.val != 700)
            EXPECT_TRUE(field.Modified());
        else
            EXPECT_EQ(field.Modified(), modifiedBefore);
    }
}

struct Candidate {
    const char* name;
    bool corrType;
    double candidate;
    double val;
    const char* shown;
    bool modified;
    Messages messages;
};

// SetVal0 on limits -10..10, Val 1, messages on.
const Candidate kCandidates[] = {
    {"inside", true, 2.5, 2.5, "2.5", true, {}},
    {"same", true, 1, 1, "1", false, {}},
    {"below, corrected", true, -11, -10, "-10", true, {kMsg3}},
    {"below, restored", false, -11, 1, "1", false, {kMsg4}},
    {"above, corrected", true, 11, 10, "10", true, {kMsg5}},
    {"above, restored", false, 11, 1, "1", false, {kMsg6}},
    {"NaN, corrected", true, std::nan(""), -10, "-10", true, {kMsg3}},
    {"NaN, restored", false, std::nan(""), 1, "1", false, {kMsg4}},
    {"infinity", true, std::numeric_limits<double>::infinity(), 10, "10", true, {kMsg5}},
};

TEST_F(EditFloatModelTest, SetVal0HoldsTheCandidateAgainstTheLimits)
{
    for (const Candidate& c : kCandidates) {
        SCOPED_TRACE(c.name);
        RecordingHost fieldHost;
        EditFloatModel field(fieldHost);
        field.SetMax(10);
        field.SetMin(-10);
        field.SetVal(1);
        field.SetCorrType(c.corrType);
        field.SetCorrMsg(true);
        field.SetVal0(c.candidate);
        EXPECT_EQ(field.Val(), c.val);
        EXPECT_EQ(fieldHost.text, c.shown);
        EXPECT_EQ(field.Modified(), c.modified);
        EXPECT_EQ(fieldHost.messages, c.messages);
    }
}

TEST_F(EditFloatModelTest, SetValLeavesTheNumberOnDisplay)
{
    Field(0, 1e7, true, true);
    model.SetVal(3.14159265);
    EXPECT_EQ(host.text, "3.14159");
    EXPECT_EQ(model.Val(), 3.14159);
    model.SetVal(1234567);
    EXPECT_EQ(host.text, "1.23457e+06");
    EXPECT_EQ(model.Val(), 1234570);
    EXPECT_TRUE(model.Modified());

    host.separator = ',';
    model.SetVal(0.0001234);
    EXPECT_EQ(host.text, "0,0001234");
    EXPECT_EQ(model.Val(), 0.0001234);
}

TEST_F(EditFloatModelTest, FifteenDigitFormat)
{
    host.separator = ',';
    Field(0, 1e7, true, true);
    model.SetGFormat(false);
    model.SetVal(3.14159265);
    EXPECT_EQ(host.text, "3,14159265");
    EXPECT_EQ(model.Val(), 3.14159265);
    model.SetVal(1234567);
    EXPECT_EQ(host.text, "1234567");
    host.text = "1.5";
    EXPECT_TRUE(model.GetModify());
    EXPECT_EQ(host.text, "1,5");
}

TEST_F(EditFloatModelTest, StoredFormStartUp)
{
    // EditFloat1: Text "1", CorrMsg, SetMax(1000), SetVal(1).
    host.text = "1";
    model.SetCorrMsg(true);
    model.SetMax(1000);
    model.SetVal(1);
    EXPECT_EQ(model.Val(), 1.0);
    EXPECT_EQ(host.text, "1");
    EXPECT_TRUE(model.Modified());

    // EditFloat2: Text "0", CorrMsg, SetMax(1000).
    RecordingHost host2;
    EditFloatModel field2(host2);
    host2.text = "0";
    field2.SetCorrMsg(true);
    field2.SetMax(1000);
    EXPECT_EQ(field2.Val(), 0.0);
    EXPECT_EQ(host2.text, "0");
    EXPECT_FALSE(field2.Modified());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host2.messages.empty());
}

TEST_F(EditFloatModelTest, NegativeStoredRangeMeetsTheInitialMinimumFirst)
{
    model.SetMax(-1);
    EXPECT_EQ(host.messages, Messages{kMsg1});
    EXPECT_EQ(model.Max(), 1.0);
    model.SetMin(-10);
    EXPECT_EQ(model.Min(), -10.0);
}

TEST_F(EditFloatModelTest, CorrectTextReplacesOnlyTheFirstSeparator)
{
    host.separator = ',';
    host.text = "1.2.3";
    model.CorrectText();
    EXPECT_EQ(host.text, "1,2.3");
    host.text = "-,5";
    model.CorrectText();
    EXPECT_EQ(host.text, "-,5");
}

TEST_F(EditFloatModelTest, AnUnchangedDisplayIsNotRewritten)
{
    host.separator = ',';
    Field(0, 1000, true, true, 1.5);
    ASSERT_EQ(host.text, "1,5");
    host.textChanges = 0;
    model.ValToText();
    model.CorrectText();
    EXPECT_FALSE(model.GetModify());
    EXPECT_EQ(host.textChanges, 0);
}

TEST_F(EditFloatModelTest, MidpointOfHugeLimitsStaysFinite)
{
    Field(DBL_MAX / 2, DBL_MAX, true, true, DBL_MAX);
    host.text = "x";
    EXPECT_TRUE(model.GetModify());
    EXPECT_EQ(model.Val(), DBL_MAX / 4 * 3);
    EXPECT_EQ(host.messages, Messages{kMsg7});
}

TEST_F(EditFloatModelTest, KeyPressReadsTheHostState)
{
    model.SetMin(-1);
    host.text = "-5";
    host.selectionStart = 0;
    char key = '3';
    model.KeyPress(key);
    EXPECT_EQ(key, 0);
    host.selectionStart = 2;
    key = '3';
    model.KeyPress(key);
    EXPECT_EQ(key, '3');
    host.hasSelection = true;
    host.selectionStart = 0;
    key = '-';
    model.KeyPress(key);
    EXPECT_EQ(key, '-');
    model.SetExpInp(true);
    key = 'e';
    model.KeyPress(key);
    EXPECT_EQ(key, 'e');
}

}  // namespace
