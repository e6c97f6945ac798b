# Empty dependencies file for phydef.
# This may be replaced when dependencies are built.
