// The network side of the menus.
#pragma once

// Called by Menue_Rein once the screen's bitmaps are prepared.
void Internet_Menue_Rein_Hook();
// One pass of the network pump that serves the control signals; the modal loops call it once
// per pass while this machine takes part in a network game. It comes with the control signals.
void Steuersignal_Verarbeiten();
// Test hook: sees every pass.
using Steuersignal_Beobachter = void (*)();
void Steuersignal_Set_Beobachter(Steuersignal_Beobachter beobachter);
