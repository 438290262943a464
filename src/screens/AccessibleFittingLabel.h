#pragma once

// A screen reader finds a FittingLabel as static text named for what it shows ("Word to
// practise"), whose text is the caption spelt out (FittingLabel::spokenText). Over the desktop's
// accessibility bus (AT-SPI) only a text, not a value, reaches the reader for static text: Orca
// reads it in flat review and in braille, and any client hears each change as the text's
// "text-changed" events.

// Makes Qt describe every FittingLabel so; later calls do nothing.
void installAccessibleFittingLabel();
