// The platform's short warning sound.
#pragma once

void Bip();

// How many warning sounds the program has made: the sound itself cannot be
// heard by a test.
int NombreBips();
