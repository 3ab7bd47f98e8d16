// Keeps the resource library non-empty before any picture exists.
namespace varnholt_assets_placeholder { int unused = 0; }
