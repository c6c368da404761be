#pragma once
// The editor's launch of the Halvard server against servers on the session
// bus that leave each call unanswered in turn, and a login server program
// that never comes onto the bus. The launches run as the window runs them,
// progress dialog and messages included (the messages answered at once).

#include <string>

namespace tarvo::bench {

// Runs every launch to its end; false, with error, when one did not end or
// there is no session bus. launches: how many ran; worstMs: the longest the
// event loop was held while one ran, from the click (the launch's objects
// made) to its end.
bool runServerChains(int& launches, long long& worstMs, std::string& error);

} // namespace tarvo::bench
