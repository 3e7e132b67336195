// The page's one way to find an element by its id, for the page's modules
// and the batch section's alike.
export const byId = (id) => document.getElementById(id);
