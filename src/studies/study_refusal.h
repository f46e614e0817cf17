// A value of a study's request refused: which input, and why (the reason
// alone, without the input's name or value), so that each front end words
// it as its caller wrote it: a command line as "--within 0: ...", Python
// as "within=0.0: ...".
#ifndef TQWEIR_STUDIES_STUDY_REFUSAL_H_
#define TQWEIR_STUDIES_STUDY_REFUSAL_H_

#include <string>

#include "text/input_error.h"

namespace tqweir {

// `Input` is the study's enum of the inputs a refusal can name.
template <class Input>
class StudyRefusal : public text::InputError {
 public:
  StudyRefusal(Input which, const std::string& reason) : text::InputError(reason), which_(which) {}
  Input which() const { return which_; }

 private:
  Input which_;
};

}  // namespace tqweir

#endif  // TQWEIR_STUDIES_STUDY_REFUSAL_H_
