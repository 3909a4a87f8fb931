/*
 * resource.h -- ids shared by the resource script and the code: strings,
 * dialog templates and controls. Controls are numbered in one block per
 * dialog (the block of template NNN starts at NNN * 100); the standard
 * buttons keep their shared ids.
 */
#ifndef TORVEX_RESOURCE_H
#define TORVEX_RESOURCE_H

/* ---- string table ---- */
#define IDS_BUTTON_VARIABLE   100 /* "_BUTTON" */
#define IDS_MAINTENANCE       106 /* message box caption */
#define IDS_LENS_VARIABLE     107 /* "_Lens" */
#define IDS_OPT_OPGS          108
#define IDS_OPTION_SECTION    109 /* "PCS,1" */
#define IDS_OPT_PMP2          110
#define IDS_OPT_NEW_RF        111
#define IDS_LENS2_VARIABLE    112 /* "_Lens2" */
#define IDS_LENS3_VARIABLE    113 /* "_Lens3" */
#define IDS_QPTYPE_VARIABLE   114 /* "_QPType" */
#define IDS_AFC_VARIABLE      115 /* "_AFC" */
#define IDS_DETECTOR_HV       200
#define IDS_OPEN_GATE_VALVE   201
#define IDS_INVALID_PARAMETER 202
#define IDS_INVALID_FILENAME  203
#define IDS_IN_TRANSITION     250
#define IDS_CAL_STANDBY_ONLY  251
#define IDS_CAL_TAKES_15S     252
#define IDS_TORCH_NOT_INIT    253
#define IDS_OMEGA_LENS_CE     300
#define IDS_OMEGA_BIAS_CE     301
#define IDS_OFFSET_CONFIRM    400
#define IDS_AR_LINE_FAULT     451
#define IDS_OFFSET_RANGE_PLDP 452 /* 452..459: the eight sensor range messages */

/* ---- dialog templates (the number is the template's name and help topic) ---- */
#define IDD_VACUUM       225
#define IDD_RF_226       226
#define IDD_IGNITION     258
#define IDD_VACUUM_PARAM 259
#define IDD_QP           261
#define IDD_LENS_263     263
#define IDD_OCTOPOLE     266
#define IDD_DETECTOR     267
#define IDD_WATER        268
#define IDD_GAS_269      269
#define IDD_CHILLER      270
#define IDD_PERIPUMP     271
#define IDD_XYZ          272
#define IDD_HOUSING      274
#define IDD_LENS_289     289
#define IDD_CALLENS_293  293
#define IDD_CALLENS_294  294
#define IDD_RF_314       314
#define IDD_LENS_320     320
#define IDD_CALLENS_321  321
#define IDD_GAS_336      336
#define IDD_GAS_OFFSET   343

/* ---- standard controls, shared by every template ---- */
#define IDC_ENTER   1    /* IDOK */
#define IDC_ESCAPE  2    /* IDCANCEL: the Escape key, or the Cancel button of a sub-dialog */
#define IDC_CLOSE   8
#define IDC_HELPBTN    9
#define IDC_UPDATE  1000
#define IDC_DLGINFO 99   /* the DLGINFO control naming the template */
#define IDC_PENDING_NOTE 98 /* the note of a panel not built yet */

/* ---- 225 Vacuum Maintenance ---- */
#define IDC_VAC_RP1          22500
#define IDC_VAC_RP2          22501
#define IDC_VAC_BACKING      22502
#define IDC_VAC_TPI          22503
#define IDC_VAC_TPA          22504
#define IDC_VAC_PENNING      22505
#define IDC_VAC_IFVALVE      22506
#define IDC_VAC_GATE         22507
#define IDC_VAC_PURGE        22508
#define IDC_VAC_S75          22509
#define IDC_VAC_TMPFAN       22510
#define IDC_VAC_IGNORE_TO    22511
#define IDC_VAC_EVAC         22512
#define IDC_VAC_SYSPARAM     22513
#define IDC_VAC_OUTPUTS      22514 /* group "Outputs" */
#define IDC_VAC_INPUTS       22515 /* group "Inputs" */
#define IDC_VAC_SYSGROUP     22516 /* group "System Parameters" */
#define IDC_VAC_IGNORE_NOTE  22517 /* "(ShutDown->Standby)" */
/* Inputs: label, value and unit of each display. */
#define IDC_VAC_PIIF_L       22520
#define IDC_VAC_PIIF         22521
#define IDC_VAC_PIIF_U       22522
#define IDC_VAC_PIBK_L       22523
#define IDC_VAC_PIBK         22524
#define IDC_VAC_PIBK_U       22525
#define IDC_VAC_PGAN_L       22526
#define IDC_VAC_PGAN         22527
#define IDC_VAC_PGAN_U       22528
#define IDC_VAC_RTPI_L       22529
#define IDC_VAC_RTPI         22530
#define IDC_VAC_RTPI_U       22531
#define IDC_VAC_RTPA_L       22532
#define IDC_VAC_RTPA         22533
#define IDC_VAC_RTPA_U       22534
#define IDC_VAC_ITPI_L       22535
#define IDC_VAC_ITPI         22536
#define IDC_VAC_ITPI_U       22537
#define IDC_VAC_ITPA_L       22538
#define IDC_VAC_ITPA         22539
#define IDC_VAC_ITPA_U       22540
#define IDC_VAC_VP75_L       22541
#define IDC_VAC_VP75         22542
#define IDC_VAC_VP75_U       22543
#define IDC_VAC_ERRBRK_L     22544
#define IDC_VAC_ERRBRK       22545
#define IDC_VAC_FNTP_L       22546
#define IDC_VAC_FNTP         22547
#define IDC_VAC_GVERR_L      22548
#define IDC_VAC_GVERR        22549
#define IDC_VAC_MVM_L        22550
#define IDC_VAC_MVM          22551
#define IDC_VAC_MVM_U        22552
#define IDC_VAC_IISOV_L      22553
#define IDC_VAC_IISOV        22554
#define IDC_VAC_IISOV_U      22555
#define IDC_VAC_CVM_L        22556
#define IDC_VAC_CVM          22557
#define IDC_VAC_CVM_U        22558
#define IDC_VAC_CCM_L        22559
#define IDC_VAC_CCM          22560
#define IDC_VAC_CCM_U        22561
#define IDC_VAC_ISOV1_L      22562
#define IDC_VAC_ISOV1        22563
#define IDC_VAC_ISOV2_L      22564
#define IDC_VAC_ISOV2        22565
#define IDC_VAC_VAON_L       22566
#define IDC_VAC_VAON         22567
#define IDC_VAC_IFVOPN_L     22568
#define IDC_VAC_IFVOPN       22569
#define IDC_VAC_IFVERR_L     22570
#define IDC_VAC_IFVERR       22571
#define IDC_VAC_TPSD_L       22572
#define IDC_VAC_TPSD         22573

/* ---- 259 Vacuum System Parameters ---- */
#define IDC_VSP_NORMAL       25900 /* "[Normal]" */
#define IDC_VSP_RCELL        25901 /* "[Reaction Cell]" */
#define IDC_VSP_HEAD1        25902 /* column headings 1..7: 25902..25908 */
#define IDC_VSP_GAUGE1       25910 /* gauge labels 1..7: 25910..25916 */
#define IDC_VSP_ROW_ENTRY    25920 /* row labels */
#define IDC_VSP_ROW_ERROR    25921
#define IDC_VSP_ROW_TIMEOUT1 25922
#define IDC_VSP_ROW_TIMEOUT2 25923
#define IDC_VSP_ROW_WARNLO   25924
#define IDC_VSP_ROW_WARNHI   25925
#define IDC_VSP_ROW_DELAY    25926
#define IDC_VSP_ROW_TSLOW    25927
#define IDC_VSP_ROW_RC_ERROR 25928
#define IDC_VSP_ROW_RC_WARN  25929
#define IDC_VSP_ROW_RC_TO    25930
#define IDC_VSP_RC_NORMAL7   25931 /* the "Normal" note of the reaction-cell error row, column 7 */
#define IDC_VSP_TURBO_GROUP  25932 /* "Turbo Pump Revolution" */
#define IDC_VSP_TPI_HEAD     25933
#define IDC_VSP_TPA_HEAD     25934
#define IDC_VSP_TP_ROW_ANA   25935
#define IDC_VSP_TP_ROW_SD    25936
#define IDC_VSP_TP_ROW_STB   25937
#define IDC_VSP_AUTOS_L      25938
/* Edit fields, from "Entry Press" of column 1 to the last reaction-cell field. */
#define IDC_VSP_FIRST_FIELD  25940
#define IDC_VSP_ENTRY1       25940
#define IDC_VSP_ERROR1       25941
#define IDC_VSP_TO1_1        25942
#define IDC_VSP_ENTRY2       25943
#define IDC_VSP_ERROR2       25944
#define IDC_VSP_TO1_2        25945
#define IDC_VSP_ENTRY3       25946
#define IDC_VSP_ERROR3       25947
#define IDC_VSP_TO1_3        25948
#define IDC_VSP_TO2_3        25949
#define IDC_VSP_ENTRY4       25950
#define IDC_VSP_ERROR4       25951
#define IDC_VSP_TO1_4        25952
#define IDC_VSP_TO2_4        25953
#define IDC_VSP_ENTRY5       25954
#define IDC_VSP_ERROR5       25955
#define IDC_VSP_TO1_5        25956
#define IDC_VSP_ERROR6       25957
#define IDC_VSP_WARNLO6      25958
#define IDC_VSP_WARNHI6      25959
#define IDC_VSP_DELAY4       25960
#define IDC_VSP_TSLOW3       25961
#define IDC_VSP_ENTRY7       25962
#define IDC_VSP_ERROR7       25963
#define IDC_VSP_TO1_7        25964
#define IDC_VSP_TPI_ANA      25965
#define IDC_VSP_TPI_SD       25966
#define IDC_VSP_TPA_ANA      25967
#define IDC_VSP_TPA_SD       25968
#define IDC_VSP_TPI_STB      25969
#define IDC_VSP_TPA_STB      25970
#define IDC_VSP_AUTOS        25971
#define IDC_VSP_RC_ERROR1    25972
#define IDC_VSP_RC_ERROR3    25973
#define IDC_VSP_RC_WARNHI3   25974
#define IDC_VSP_RC_TO3       25975
#define IDC_VSP_RC_ERROR5    25976
#define IDC_VSP_RC_WARNHI5   25977
#define IDC_VSP_RC_TO5       25978
#define IDC_VSP_LAST_FIELD   25978

/* ---- 269 Gas Controller Maintenance (also the controls 336 shares) ---- */
#define IDC_GAS_OUTPUTS      26900 /* group "Outputs" */
#define IDC_GAS_SVAG         26901
#define IDC_GAS_SVOP         26902
#define IDC_GAS_SVPRV        26903 /* 269 only */
/* Output set points: label, edit field, unit. */
#define IDC_GAS_SET_PL_L     26904
#define IDC_GAS_SET_PL       26905
#define IDC_GAS_SET_PL_U     26906
#define IDC_GAS_SET_AX_L     26907
#define IDC_GAS_SET_AX       26908
#define IDC_GAS_SET_AX_U     26909
#define IDC_GAS_SET_CR_L     26910
#define IDC_GAS_SET_CR       26911
#define IDC_GAS_SET_CR_U     26912
#define IDC_GAS_SET_MU_L     26913
#define IDC_GAS_SET_MU       26914
#define IDC_GAS_SET_MU_U     26915
#define IDC_GAS_SET_OP_L     26916
#define IDC_GAS_SET_OP       26917
#define IDC_GAS_SET_OP_U     26918
/* Inputs: label, value and unit of each display. */
#define IDC_GAS_INPUTS       26920 /* group "Inputs" */
#define IDC_GAS_PGAR_L       26921
#define IDC_GAS_PGAR         26922
#define IDC_GAS_PGAR_U       26923
#define IDC_GAS_PGCR_L       26924
#define IDC_GAS_PGCR         26925
#define IDC_GAS_PGCR_U       26926
#define IDC_GAS_CHKP5_L      26927
#define IDC_GAS_CHKP5        26928
#define IDC_GAS_CHKP5_U      26929
#define IDC_GAS_PGOPS_L      26930
#define IDC_GAS_PGOPS        26931
#define IDC_GAS_PGOPS_U      26932
#define IDC_GAS_PGOP_L       26933
#define IDC_GAS_PGOP         26934
#define IDC_GAS_PGOP_U       26935
#define IDC_GAS_OPGS_L       26936
#define IDC_GAS_OPGS         26937
#define IDC_GAS_OPGS_U       26938
#define IDC_GAS_PLGS_L       26939 /* the measured flows (in 336 the "Flow" group) */
#define IDC_GAS_PLGS         26940
#define IDC_GAS_PLGS_U       26941
#define IDC_GAS_AXGS_L       26942
#define IDC_GAS_AXGS         26943
#define IDC_GAS_AXGS_U       26944
#define IDC_GAS_CRGS_L       26945
#define IDC_GAS_CRGS         26946
#define IDC_GAS_CRGS_U       26947
#define IDC_GAS_MUGS_L       26948
#define IDC_GAS_MUGS         26949
#define IDC_GAS_MUGS_U       26950
#define IDC_GAS_CHKVMF_L     26951 /* 269 only */
#define IDC_GAS_CHKVMF       26952
#define IDC_GAS_CHKVMF_U     26953
/* System parameters: a grid of one row per gas. */
#define IDC_GAS_SYSGROUP     26955 /* group "System Parameters" */
#define IDC_GAS_LOWER_HEAD   26956
#define IDC_GAS_TOL_HEAD     26957
#define IDC_GAS_UNIT1_HEAD   26958
#define IDC_GAS_OLMT_HEAD    26959 /* 269 only */
#define IDC_GAS_OFFSET_HEAD  26960 /* 269 only */
#define IDC_GAS_UNIT2_HEAD   26961
#define IDC_GAS_PL_ROW       26962
#define IDC_GAS_PL_LOWER     26963
#define IDC_GAS_PL_TOL       26964
#define IDC_GAS_PL_UNIT1     26965
#define IDC_GAS_PL_OLMT      26966
#define IDC_GAS_PL_OFFSET    26967 /* 269 only */
#define IDC_GAS_PL_UNIT2     26968
#define IDC_GAS_AX_ROW       26969
#define IDC_GAS_AX_LOWER     26970
#define IDC_GAS_AX_TOL       26971
#define IDC_GAS_AX_UNIT1     26972
#define IDC_GAS_AX_OLMT      26973
#define IDC_GAS_AX_OFFSET    26974 /* 269 only */
#define IDC_GAS_AX_UNIT2     26975
#define IDC_GAS_CR_ROW       26976
#define IDC_GAS_CR_NOLOWER   26977 /* "---" */
#define IDC_GAS_CR_TOL       26978
#define IDC_GAS_CR_UNIT1     26979
#define IDC_GAS_CR_OLMT      26980
#define IDC_GAS_CR_OFFSET    26981 /* 269 only */
#define IDC_GAS_CR_UNIT2     26982
#define IDC_GAS_MU_ROW       26983
#define IDC_GAS_MU_NOLOWER   26984 /* "---" */
#define IDC_GAS_MU_TOL       26985
#define IDC_GAS_MU_UNIT1     26986
#define IDC_GAS_MU_OLMT      26987
#define IDC_GAS_MU_OFFSET    26988 /* 269 only */
#define IDC_GAS_MU_UNIT2     26989
#define IDC_GAS_OP_ROW       26990
#define IDC_GAS_OP_NOLOWER   26991 /* "---" */
#define IDC_GAS_OP_TOL       26992
#define IDC_GAS_OP_UNIT1     26993
#define IDC_GAS_OP_OLMT      26994
#define IDC_GAS_OP_OFFSET    26995 /* 269 only */
#define IDC_GAS_OP_UNIT2     26996
#define IDC_GAS_ADJUST       1300  /* "Offset Adjustment", the same id in both templates */

/* ---- 271 PeriPump Maintenance ---- */
#define IDC_PUMP_OUTPUTS     27100
#define IDC_PUMP_NEB_L       27101
#define IDC_PUMP_NEB         27102
#define IDC_PUMP_NEB_U       27103
#define IDC_PUMP_SMP_L       27104
#define IDC_PUMP_SMP         27105
#define IDC_PUMP_SMP_U       27106

/* ---- 274 Housing Maintenance ---- */
#define IDC_HSG_S24          27400
#define IDC_HSG_S24_V        27401
#define IDC_HSG_S24_U        27402
#define IDC_HSG_INPUTS       27403
#define IDC_HSG_COVR_L       27404
#define IDC_HSG_COVR         27405
#define IDC_HSG_CVOPNER_L    27406
#define IDC_HSG_CVOPNER      27407
#define IDC_HSG_ERRPW2_L     27408
#define IDC_HSG_ERRPW2       27409
#define IDC_HSG_V24ER_L      27410
#define IDC_HSG_V24ER        27411
#define IDC_HSG_ERRPW3_L     27412
#define IDC_HSG_ERRPW3       27413
#define IDC_HSG_ERRPW4_L     27414
#define IDC_HSG_ERRPW4       27415
#define IDC_HSG_ERRPW5_L     27416
#define IDC_HSG_ERRPW5       27417
#define IDC_HSG_TMP1_L       27418
#define IDC_HSG_TMP1         27419
#define IDC_HSG_TMP1_U       27420
#define IDC_HSG_TMP3_L       27421
#define IDC_HSG_TMP3         27422
#define IDC_HSG_TMP3_U       27423
#define IDC_HSG_LIMITS       27424 /* group "System Paramters" */
#define IDC_HSG_WARN_HEAD    27425
#define IDC_HSG_ERROR_HEAD   27426
#define IDC_HSG_LIM1_L       27427
#define IDC_HSG_TMP1_WARN    27428
#define IDC_HSG_TMP1_ERROR   27429
#define IDC_HSG_LIM1_U       27430
#define IDC_HSG_LIM3_L       27431
#define IDC_HSG_TMP3_WARN    27432
#define IDC_HSG_TMP3_ERROR   27433
#define IDC_HSG_LIM3_U       27434

/* ---- 336 Gas Controller Maintenance with the AFC (beside the 269 ids it shares) ---- */
#define IDC_GAS_FLOW_GROUP   33600 /* group "Flow": the 269 flow displays */
#define IDC_GAS_TMPGS_L      33601
#define IDC_GAS_TMPGS        33602
#define IDC_GAS_TMPGS_U      33603
#define IDC_GAS_DPKPA_GROUP  33604 /* group "DP Press" */
#define IDC_GAS_PLDPKPA_L    33605
#define IDC_GAS_PLDPKPA      33606
#define IDC_GAS_PLDPKPA_U    33607
#define IDC_GAS_AXDPKPA_L    33608
#define IDC_GAS_AXDPKPA      33609
#define IDC_GAS_AXDPKPA_U    33610
#define IDC_GAS_CRDPKPA_L    33611
#define IDC_GAS_CRDPKPA      33612
#define IDC_GAS_CRDPKPA_U    33613
#define IDC_GAS_MUDPKPA_L    33614
#define IDC_GAS_MUDPKPA      33615
#define IDC_GAS_MUDPKPA_U    33616
#define IDC_GAS_BPKPA_GROUP  33617 /* group "BP Press" */
#define IDC_GAS_PLBPKPA_L    33618
#define IDC_GAS_PLBPKPA      33619
#define IDC_GAS_PLBPKPA_U    33620
#define IDC_GAS_AXBPKPA_L    33621
#define IDC_GAS_AXBPKPA      33622
#define IDC_GAS_AXBPKPA_U    33623
#define IDC_GAS_CRBPKPA_L    33624
#define IDC_GAS_CRBPKPA      33625
#define IDC_GAS_CRBPKPA_U    33626
#define IDC_GAS_MUBPKPA_L    33627
#define IDC_GAS_MUBPKPA      33628
#define IDC_GAS_MUBPKPA_U    33629
#define IDC_GAS_DP_HEAD      33630
#define IDC_GAS_BP_HEAD      33631
/* Stored sensor offsets, in the order the offset adjustment measures them. */
#define IDC_GAS_PL_DPV       33632
#define IDC_GAS_AX_DPV       33633
#define IDC_GAS_CR_DPV       33634
#define IDC_GAS_MU_DPV       33635
#define IDC_GAS_PL_BPV       33636
#define IDC_GAS_AX_BPV       33637
#define IDC_GAS_CR_BPV       33638
#define IDC_GAS_MU_BPV       33639

/* ---- 343 Offset Adjustment (the report of the sensor offset adjustment) ---- */
#define IDC_GASREP_DONE      34300 /* "Offset adjustment completed." */
#define IDC_GASREP_ROW       34301 /* 34301..34308: the row captions */
#define IDC_GASREP_ARROW     34310 /* 34310..34317: "->" */
#define IDC_GASREP_UNIT      34320 /* 34320..34327: "(V)" */
#define IDC_GASREP_QUESTION  34330 /* "Update the value?" */
#define IDC_GASREP_OLD       1000  /* 1000..1007: the stored offsets */
#define IDC_GASREP_NEW       1010  /* 1010..1017: the measured ones */
#define IDC_GASREP_YES       6     /* IDYES */
#define IDC_GASREP_NO        7     /* IDNO */

#endif
