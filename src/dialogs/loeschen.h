#pragma once

namespace rzv {

class Prompt;
class TCupData;

// Deleting entries from the main window's context menus. Each refuses with a notice where the
// entry is still needed, asks before it deletes, and returns whether it deleted.

// Race column k and its result column; the races are renumbered and the minimum and maximum
// participations lowered to the race count.
bool laufLoeschen(TCupData& cup, Prompt& prompt, int k);
// Participant row R.
bool teilLoeschen(TCupData& cup, Prompt& prompt, int R);
// Age group row R, unless it is the last one or participants are in it.
bool agLoeschen(TCupData& cup, Prompt& prompt, int R);
// Cup variation row R, unless races need two variations or participants are in it.
bool cvLoeschen(TCupData& cup, Prompt& prompt, int R);
// Points row R, unless it is the only one.
bool pvLoeschen(TCupData& cup, Prompt& prompt, int R);

} // namespace rzv
