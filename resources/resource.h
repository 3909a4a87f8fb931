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

/* ---- 266 Octopole Maintenance ---- */
#define IDC_OCT_S24          26600
#define IDC_OCT_S24_V        26601
#define IDC_OCT_S24_U        26602
#define IDC_OCT_OUTPUTS      26603 /* group "Outputs" */
#define IDC_OCT_HV           26604
#define IDC_OCT_TUNING       26605 /* "Frequency Tuning Mode": feedback off while ticked */
#define IDC_OCT_RFEN         26606
#define IDC_OCT_BIAS_L       26607
#define IDC_OCT_BIAS         26608
#define IDC_OCT_BIAS_U       26609
#define IDC_OCT_RF_L         26610
#define IDC_OCT_RF           26611
#define IDC_OCT_RF_U         26612
#define IDC_OCT_FETB_L       26613
#define IDC_OCT_FETB         26614
#define IDC_OCT_FETB_U       26615
#define IDC_OCT_SYSGROUP     26616 /* group "System Parameters" */
#define IDC_OCT_FRQ_L        26617
#define IDC_OCT_FRQ          26618
#define IDC_OCT_FRQ_U        26619
#define IDC_OCT_LEVEL_L      26620
#define IDC_OCT_LEVEL        26621
#define IDC_OCT_LEVEL_U      26622
#define IDC_OCT_RAMP_L       26623
#define IDC_OCT_RAMP         26624
#define IDC_OCT_RAMP_U       26625
#define IDC_OCT_BEND_L       26626
#define IDC_OCT_BEND         26627
#define IDC_OCT_BEND_U       26628
#define IDC_OCT_SCAN_L       26629
#define IDC_OCT_SCAN         26630
#define IDC_OCT_BITS         26631 /* group "Bit Inputs" */
#define IDC_OCT_FBER_L       26632
#define IDC_OCT_FBER         26633
#define IDC_OCT_IDER_L       26634
#define IDC_OCT_IDER         26635
#define IDC_OCT_ANALOG       26636 /* group "Analog Inputs" */
#define IDC_OCT_BIAS_IN_L    26637
#define IDC_OCT_BIAS_IN      26638
#define IDC_OCT_BIAS_IN_U    26639
#define IDC_OCT_OPAP_L       26640
#define IDC_OCT_OPAP         26641
#define IDC_OCT_OPAP_U       26642
#define IDC_OCT_OPAN_L       26643
#define IDC_OCT_OPAN         26644
#define IDC_OCT_OPAN_U       26645
#define IDC_OCT_OPA_L        26646
#define IDC_OCT_OPA          26647
#define IDC_OCT_OPA_U        26648
#define IDC_OCT_OPBIA_L      26649
#define IDC_OCT_OPBIA        26650
#define IDC_OCT_OPBIA_U      26651
#define IDC_OCT_OPID_L       26652
#define IDC_OCT_OPID         26653
#define IDC_OCT_OPID_U       26654

/* ---- 267 Detector Maintenance ---- */
#define IDC_DET_S24          26700
#define IDC_DET_S24_V        26701
#define IDC_DET_S24_U        26702
#define IDC_DET_OUTPUTS      26703 /* group "Outputs" */
#define IDC_DET_HV           26704
#define IDC_DET_EMGATE       26705 /* "Open EM Gate" */
#define IDC_DET_PULSEGATE    26706 /* "Open Pulse Gate" */
#define IDC_DET_LOGTC        26707 /* "Enable LogAmp Temp Control" */
#define IDC_DET_HVA_L        26708
#define IDC_DET_HVA          26709
#define IDC_DET_HVA_U        26710
#define IDC_DET_HVP_L        26711
#define IDC_DET_HVP          26712
#define IDC_DET_HVP_U        26713
#define IDC_DET_DSCR_L       26714
#define IDC_DET_DSCR         26715
#define IDC_DET_DSCR_U       26716
#define IDC_DET_SYSGROUP     26717 /* group "System Parameters" */
/* The 15 stored parameters, top to bottom: label, field, unit. */
#define IDC_DET_EMEL_L       26718
#define IDC_DET_EMEL         26719
#define IDC_DET_EMEL_U       26720
#define IDC_DET_EMGVA_L      26721
#define IDC_DET_EMGVA        26722
#define IDC_DET_EMGVA_U      26723
#define IDC_DET_EMGVP_L      26724
#define IDC_DET_EMGVP        26725
#define IDC_DET_EMGVP_U      26726
#define IDC_DET_PLMT_L       26727
#define IDC_DET_PLMT         26728
#define IDC_DET_PLMT_U       26729
#define IDC_DET_ALMT_L       26730
#define IDC_DET_ALMT         26731
#define IDC_DET_ALMT_U       26732
#define IDC_DET_DTIME_L      26733
#define IDC_DET_DTIME        26734
#define IDC_DET_DTIME_U      26735
#define IDC_DET_REFMASS_L    26736
#define IDC_DET_REFMASS      26737
#define IDC_DET_REFMASS_U    26738
#define IDC_DET_CORR_L       26739
#define IDC_DET_CORR         26740
#define IDC_DET_CORR_U       26741
#define IDC_DET_XUPPER_L     26742
#define IDC_DET_XUPPER       26743
#define IDC_DET_XUPPER_U     26744
#define IDC_DET_XLOWER_L     26745
#define IDC_DET_XLOWER       26746
#define IDC_DET_XLOWER_U     26747
#define IDC_DET_LOGTLMT_L    26748
#define IDC_DET_LOGTLMT      26749
#define IDC_DET_LOGTLMT_U    26750
#define IDC_DET_ALERT_L      26751
#define IDC_DET_ALERT        26752
#define IDC_DET_ALERT_U      26753
#define IDC_DET_WAIT_L       26754
#define IDC_DET_WAIT         26755
#define IDC_DET_WAIT_U       26756
#define IDC_DET_TUNE_L       26757
#define IDC_DET_TUNE         26758
#define IDC_DET_TUNE_U       26759
#define IDC_DET_DSCRLMT_L    26760
#define IDC_DET_DSCRLMT      26761
#define IDC_DET_DSCRLMT_U    26762
#define IDC_DET_BITS         26763 /* group "Bit Inputs" */
#define IDC_DET_EMPRA_L      26764
#define IDC_DET_EMPRA        26765
#define IDC_DET_EMPRP_L      26766
#define IDC_DET_EMPRP        26767
#define IDC_DET_ANALOG       26768 /* group "Analog Inputs" */
#define IDC_DET_HVA_IN_L     26769
#define IDC_DET_HVA_IN       26770
#define IDC_DET_HVA_IN_U     26771
#define IDC_DET_HVP_IN_L     26772
#define IDC_DET_HVP_IN       26773
#define IDC_DET_HVP_IN_U     26774
#define IDC_DET_EMGVA_IN_L   26775
#define IDC_DET_EMGVA_IN     26776
#define IDC_DET_EMGVA_IN_U   26777
#define IDC_DET_EMGVP_IN_L   26778
#define IDC_DET_EMGVP_IN     26779
#define IDC_DET_EMGVP_IN_U   26780
#define IDC_DET_TLOGA_L      26781
#define IDC_DET_TLOGA        26782
#define IDC_DET_TLOGA_U      26783
#define IDC_DET_LOGAMP       26784 /* group "Log Amp Parameters" */
#define IDC_DET_GAIN_L       26785
#define IDC_DET_GAIN         26786
#define IDC_DET_OFFSET_L     26787
#define IDC_DET_OFFSET       26788
#define IDC_DET_LOGREF_L     26789
#define IDC_DET_LOGREF       26790

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

#endif
