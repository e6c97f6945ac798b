# Empty compiler generated dependencies file for phycalc.
# This may be replaced when dependencies are built.
