#pragma once
// Festorin from its start to its end.

// One Festorin runs in a user's session. The first run shows its window and
// handles events until it closes; a later run hands the files on its command
// line to the first, which comes to the front, and ends without reading or
// writing a file. When the first does not answer, the later run says so in a
// box; when the first has ended meanwhile, the later run is the first.
// Files named on the command line are offered as address books once the
// first run has started.
int runFestorin();
