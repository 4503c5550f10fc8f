// State the chat's packets and its screen share.
#pragma once

namespace chat_intern {
extern bool offen;             // the chat screen is open
extern bool neue_nachrichten;  // the message area must be drawn again
}  // namespace chat_intern
