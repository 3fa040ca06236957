#pragma once

// Makes Tahoma, the font of every pane and printed page, known to the
// program when the system has it only among Wine's fonts.
void RegisterTahoma();
