// Keeps a core library non-empty while its folder has no sources yet.
namespace kolbrin_empty_unit {}
