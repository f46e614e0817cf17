// A gate with the weir's law and nothing else, outflow a (h - c)^1.5 over
// a crest c, so that the routing has closed forms to be held against.
#ifndef TQWEIR_TESTS_FLOOD_SYNTHETIC_WEIR_H_
#define TQWEIR_TESTS_FLOOD_SYNTHETIC_WEIR_H_

#include <cmath>

#include "flood/gate.h"

namespace tqweir_test {

class SyntheticWeir : public tqweir::flood::Gate {
 public:
  SyntheticWeir(double a, double crest) : a_(a), crest_(crest) {}
  double outflow(double level, double) override {
    ++calls_;
    return level > crest_ ? a_ * std::pow(level - crest_, 1.5) : 0.0;
  }
  tqweir::flood::GateState state(double level, double air) override {
    tqweir::flood::GateState s;
    s.level = level;
    s.outflow = outflow(level, air);
    return s;
  }
  int solves() const override { return calls_; }

 private:
  double a_, crest_;
  int calls_ = 0;
};

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_FLOOD_SYNTHETIC_WEIR_H_
