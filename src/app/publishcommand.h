#pragma once

namespace rzv {

class Prompt;
class TCupData;

// "&Datei" → "&Veröffentlichen …": asks for the folder (proposing the one last chosen for this
// cup file), publishes the open cup into it in the chosen HTML style and offers to open the
// overview in the browser. The cup stays as it is and is not marked changed; a failure shows its
// message.
void veroeffentlichenClick(TCupData& cup, Prompt& prompt);

} // namespace rzv
