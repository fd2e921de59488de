// Where files live in a storage of their own (the browser page keeps them in IndexedDB), that
// storage holds what was written only once it is told to take it over.
#pragma once

namespace zaldrun {

// Called after every durable write (a save, the settings, a character record). The desktop build
// has nothing to do here: its files are on disk already.
void KeepWrittenFiles();

}  // namespace zaldrun
