#pragma once

// An assistive technology chooses an OptionButton through its "Toggle" action, and that counts as
// a click on it, as it would for a mouse: Qt's own action only sets the button, tells no one it
// was clicked, and does nothing at all on the option already chosen.

// Makes Qt describe every OptionButton so; later calls do nothing.
void installAccessibleOptionButton();
