#pragma once
// Exit codes of application states: allocated process-wide by one counter.
//
// The library allocates s_iExitCodeSuccess (0) and then s_iExitCodeFail (1) in its own static
// initialisation. Applications allocate further codes the same way, in their static
// initialisation, before the first application runs:
//   static const int s_iExitCodeSetToDefault = V40::APP::newExitCode();
// Codes are dense from 0 to lastExitCode(). The counter is written only during static
// initialisation, so it takes no lock.

namespace V40 {
namespace APP {

// Increments the counter and returns the new value.
int newExitCode();
// The highest code allocated so far.
int lastExitCode();

extern const int s_iExitCodeSuccess;
extern const int s_iExitCodeFail;

// The two reserved state identifiers of an application's graph.
enum StateIdE {
    STATE_END = -1,         // the end of the application: no state
    STATE_NO_SUCCESSOR = -2 // no transition for the exit code: the slot stays unset
};

// The result codes of an application run.
enum ApplicationResultE {
    RESULT_NONE = -1,                // no result set yet
    RESULT_SUCCESS = 0,              // left with success and no successor
    RESULT_ENDED_BY_EXIT = 0x2000008, // left with another code and no successor
    RESULT_INVALID_STATE = 0x2000004, // exit code without entry, or an invalid state reached
    RESULT_NO_FIRST_STATE = 0x200001b // run() found no first state
};

} // namespace APP
} // namespace V40
