#pragma once
// The runtime folder that Qt expects of a desktop session.

namespace glandwise {

// Gives Qt a private runtime folder when the session has none (XDG_RUNTIME_DIR unset, as for
// root without a login session), so that it need not warn about it on every start: the
// folder Qt would fall back on itself, /tmp/runtime-UID, made private when missing. Leaves
// the environment alone when that folder is not a private folder of this user.
void provideRuntimeDirectory();

}  // namespace glandwise
