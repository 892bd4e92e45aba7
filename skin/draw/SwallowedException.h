// The one way a skin path that must go on after a failure says so: the
// window keeps its last look, and the debug output names the place.
#pragma once

// Call inside a catch block. Writes "<place>: <what>" to the debug output
// (the exception's message when it has one). Never throws.
void ReportSwallowedException(const char* place) noexcept;
