#pragma once

// Where the program sends users who ask for help. Change it here and nowhere
// else. The ".example" domain is reserved, so an unconfigured build never
// mails somebody's real inbox.
namespace SupportContact {

inline constexpr const char* mailAddress = "support@vellumar.example";

} // namespace SupportContact
