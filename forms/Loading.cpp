// The progress window.
