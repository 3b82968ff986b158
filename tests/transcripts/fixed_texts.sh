# The program's fixed texts that recur in every transcript, each written as
# the program's own literal: \n is a line break, \" a double quote, every
# other character stands as written. Sourced by run_transcript.sh, which
# expands them with printf %b; a transcript names them as {name}.

credits="\n\n                 ------------------------------------------\n\n                 Ce Programme a été entièrement conçu par :\n\n                       \" Pr.  MARVENTOLD \"\n\n                 ------------------------------------------- \n\n"
title="                               TESSARIVAND "
description="   Ce programme effectue des calculs sur des polynômes à coefficients réels\n\n                   dont les degrés sont inférieurs à 1000 "
task="  Division Euclidienne selon les puissances décroissantes d'un Polynôme 'P(X)'\n\n                         sur un binôme '(X - µ)'\n\n                      où :  µ  est un nombre réel . "
domain="                'P' désigne un polynôme à coefficients réels\n\n                        tel que :  deg(P) < 1000 "
menu="\n\n\n\n Que voulez-vous faire ?\n\n         1. Changer le Polynôme 'P' et la valeur de  'µ'\n\n         2. Changer le Polynôme 'P' sans changer la valeur de  'µ'\n\n         3. Changer la valeur de  'µ' sans changer le Polynôme 'P'\n\n         4. Reprendre/Quitter le programme\n"
resume_prompt="\n\n\n\n  Appuyez sur 'R' ou 'r' pour Reprendre \n\n                ou bien                \n\n  Appuyez sur 'Q' ou 'q' pour Quitter \n\n"
wrong_key="\n\n  FAITES ATTENTION !!!\n\n Votre saisie est FAUSSE  !!! \n\n"
degree_title="\n\n\n        ***************************************************************\n        ***           Saisie du degré de votre polynôme             ***\n        ***************************************************************\n\n\n"
coefficient_title="        ***************************************************************\n        ***        Saisie des coefficients de votre polynôme        *** \n        ***************************************************************"
expression_title="\n             ****************************************************\n             ***  Affichage de l'expression de votre polynôme *** \n             ****************************************************"

# "\n\n", first, "\n\n\n\n", second, "\n\n": the frame every banner gets.
banner() { printf '%s' "\n\n$1\n\n\n\n$2\n\n"; }

# The start of every run: the credits and the two title banners.
start=$credits$(banner "$title" "$description")$(banner "$task" "$domain")
coefficient_title=$(banner "$coefficient_title" "")
expression_title=$(banner "$expression_title" "")
horner_title="\n\n\n\n             ****************************************************\n             ***       Tableau de Horner de la division       ***\n             ****************************************************\n\n  Ligne 'µ = ...' : µ × la somme de la colonne précédente.\n  Ligne 'Sommes' : les coefficients du quotient, puis le reste après '|'.\n"
