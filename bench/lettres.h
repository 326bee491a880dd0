#pragma once

// The word processor's letters at their largest: one of 20 000 fonts written and read, and one
// of the largest size the program opens read, so that a figure growing faster than the letter
// shows.
void enregistreLettres();
