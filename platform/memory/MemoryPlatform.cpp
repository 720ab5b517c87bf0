// The in-memory platform's parts live in their own files beside this one.
