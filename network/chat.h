// The chat screen of network games. Entry point only until the chat lands: nothing is shown.
#pragma once

void Chat_Screen();
