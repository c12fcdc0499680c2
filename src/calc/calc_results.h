#pragma once

namespace mw::calc {

// The five predictions of the current recipe. They are not stored in the
// database; 0 means not computed.
struct CalcResults {
    double originalGravity = 0.0;  // specific gravity, such as 1.048
    double totalIbu = 0.0;
    double totalHbu = 0.0;
    double alcohol = 0.0;  // percent by volume
    double color = 0.0;    // degrees Lovibond times weight per volume

    void clear() { *this = CalcResults{}; }
};

}  // namespace mw::calc
