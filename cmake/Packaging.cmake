# Packaging comes with the install rules.
