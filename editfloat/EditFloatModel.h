// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditFloatHost.h"

// The numeric entry field without its window: a value held between limits,
// committed from the host's text, corrected or restored with messages, and
// shown again in the chosen format. Every text and message goes through the host.
class EditFloatModel {
public:
    // Initial values, then the value is shown (the host reads "0").
    explicit EditFloatModel(EditFloatHost& host);

    bool CorrType() const { return corrType_; }
    void SetCorrType(bool on) { corrType_ = on; }
    bool CorrMsg() const { return corrMsg_; }
    void SetCorrMsg(bool on) { corrMsg_ = on; }
    bool ExpInp() const { return expInp_; }
    void SetExpInp(bool on) { expInp_ = on; }
    bool GFormat() const { return gFormat_; }
    void SetGFormat(bool on) { gFormat_ = on; }

    double Max() const { return max_; }
    void SetMax(double max);
    double Min() const { return min_; }
    void SetMin(double min);
    double Val() const { return val_; }
    // The value through the limits, then read back from the text it shows.
    void SetVal(double val);

    // Whether the most recent SetVal0 changed Val.
    bool Modified() const { return modify_; }

    void SetVal0(double candidate);
    bool GetModify();
    bool TextToVal();
    void ValToText();
    void CorrectText();
    // Sets the key to 0 when the filter discards it.
    void KeyPress(char& key) const;

private:
    void Announce(const char* message);

    EditFloatHost& host_;
    bool modify_ = false;
    bool corrType_ = true;
    bool corrMsg_ = false;
    bool expInp_ = false;
    bool gFormat_ = true;
    double val_ = 0.0;
    double max_ = 1.0;
    double min_ = 0.0;
};
