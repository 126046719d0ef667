#pragma once

// Gives the game's own widgets the roles assistive technology expects:
// the modeless windows are windows and the tiles are pictures. Install it
// before the first window is made, since interfaces are made once and kept.
void installAccessibleRoles();
