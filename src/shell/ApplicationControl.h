#pragma once

namespace brevmark {

// Ends the program. The real one ends the process; tests record the request.
class ApplicationControl {
public:
    virtual ~ApplicationControl() = default;
    // Ends at once, without saving anything.
    virtual void endNow(int exitCode = 0) = 0;
};

} // namespace brevmark
