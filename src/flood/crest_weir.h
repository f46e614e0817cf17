// A gate that is a fixed crest and nothing else: outflow a (h - c)^1.5 over
// a crest c (a = span x discharge coefficient), no air. The routing has
// closed forms over it, so the tests and the verification manual hold the
// engine against them.
#ifndef TQWEIR_FLOOD_CREST_WEIR_H_
#define TQWEIR_FLOOD_CREST_WEIR_H_

#include <cmath>

#include "flood/gate.h"

namespace tqweir {
namespace flood {

class CrestWeir : public Gate {
 public:
  // `a` in m^1.5/s, `crest` in m.
  CrestWeir(double a, double crest) : a_(a), crest_(crest) {}
  double outflow(double level, double) override {
    ++calls_;
    return level > crest_ ? a_ * std::pow(level - crest_, 1.5) : 0.0;
  }
  GateState state(double level, double air) override {
    GateState s;
    s.level = level;
    s.outflow = outflow(level, air);
    return s;
  }
  int solves() const override { return calls_; }

 private:
  double a_, crest_;
  int calls_ = 0;
};

}  // namespace flood
}  // namespace tqweir

#endif  // TQWEIR_FLOOD_CREST_WEIR_H_
