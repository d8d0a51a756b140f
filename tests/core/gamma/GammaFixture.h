#pragma once

#include "EngineRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvane {

// The Gamma rig as a test fixture, with the single-angle evaluation the model tests use.
class GammaFixture : public ::testing::Test, public test::GammaRig {
  protected:
    void EvaluateAt(int phase) {
        Put(Field::Phase, std::to_string(phase));
        engine.CalcEngine(false);
    }

    static bool AllFinite(const TLineSeries& s) {
        for (int i = 0; i < s.Count(); ++i) {
            if (!std::isfinite(s.XValues()[i]) || !std::isfinite(s.YValues()[i]))
                return false;
        }
        return true;
    }
};

} // namespace kelvane
