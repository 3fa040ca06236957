#pragma once

// Makes Tahoma, the font of every pane and printed page, known to the
// program when the system has it only among Wine's fonts.
void RegisterTahoma();

// Registers Tahoma, then makes its 8 points the font of every widget: the
// application's look, also for a main view built offscreen to be captured.
void UseTahomaForTheApplication();
