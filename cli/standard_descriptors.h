#pragma once
// Standard input, output and error as the batch calculator's programs find them at start.

namespace glandwise::calc {

// Which of the standard descriptors were closed when the program started.
struct ClosedDescriptors {
  bool input = false;
  bool output = false;
  bool error = false;
};

// Opens /dev/null onto each of descriptors 0, 1 and 2 that is closed, so that no file or
// socket the program opens later takes its number (and is read as input, or written to as
// output), and says which were closed. Call first thing in main.
ClosedDescriptors reopenClosedStandardDescriptors();

}  // namespace glandwise::calc
