// A save that the store refused. It ends the event being handled; the window shows it.
#pragma once

#include <stdexcept>

namespace marnelok {

class SaveFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace marnelok
