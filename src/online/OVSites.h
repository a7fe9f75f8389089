#pragma once

// The product's web sites. Every web address the program builds starts from
// these two hosts; change them here and nowhere else. The ".example" domain
// is reserved, so an unconfigured build never reaches somebody's server.
namespace OVSites {

// The main site. Its first label is replaced by a language code for the
// pages of other languages ("www.vellumar.example" -> "ja.vellumar.example").
inline constexpr const char* mainHost = "www.vellumar.example";

// The second site, chosen by site selector 2; it has no language variants.
inline constexpr const char* secondHost = "www.vellumar-photo.example";

} // namespace OVSites
